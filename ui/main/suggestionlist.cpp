#include "suggestionlist.h"

#include "chinesefonts.h"
#include "windowwarmup.h"

#include <vekkiro/item_catalogue.h>
#include <vekkiro/qtstrings.h>
#include <vekkiro/suggestions.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace vekkiro {

namespace {

QString nameAt(int position) {
    return toQString(ItemCatalogue::entry(position));
}

// The bin's colour for text, which reads on the list's white.
QColor colourOf(Category category) {
    return QColor(QRgb(binOf(category).textColour));
}

// The English that led to a name, its words apart by spaces; empty for Chinese or pinyin.
QString englishOf(const Suggestion& suggestion) {
    QStringList words;
    for (const std::string_view word : suggestion.english)
        if (!word.empty())
            words.append(toQString(word));
    return words.join(QLatin1Char(' '));
}

// A row's name as it reads: with the English that led to it, if any ("枕头 · pillow"), so that
// a reader of English can tell near names apart.
QString rowText(const QString& name, const QString& english) {
    return english.isEmpty() ? name : name + QStringLiteral(" · ") + english;
}

// Space between the box's lower edge and the list: the rest of the green pill.
constexpr int gapBelowBox = 4;
constexpr int horizontalPadding = 8;
// Space above and below a row's text.
constexpr int rowPadding = 8;
constexpr int labelGap = 16;

// A row: the name, then its bin's label in the bin's colour.
class SuggestionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QRect area = option.rect.adjusted(horizontalPadding, 0, -horizontalPadding, 0);
        const Category category = categoryAt(index);
        painter->save();
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, shownNameAt(index));
        painter->setPen(selected ? option.palette.color(QPalette::HighlightedText)
                                 : colourOf(category));
        painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, binLabelText(category));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const QFontMetrics metrics(option.font);
        const int width = metrics.horizontalAdvance(shownNameAt(index)) + labelGap +
                          metrics.horizontalAdvance(binLabelText(categoryAt(index))) +
                          2 * horizontalPadding;
        return {width, metrics.height() + rowPadding};
    }

private:
    static Category categoryAt(const QModelIndex& index) {
        return static_cast<Category>(index.data(SuggestionModel::CategoryRole).toInt());
    }
    static QString shownNameAt(const QModelIndex& index) {
        return rowText(index.data(Qt::DisplayRole).toString(),
                       index.data(SuggestionModel::EnglishRole).toString());
    }
};

} // namespace

void SuggestionModel::setText(const QString& text, int limit) {
    beginResetModel();
    m_suggestions = suggest(toU16View(text), static_cast<std::size_t>(limit));
    endResetModel();
}

int SuggestionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_suggestions.size());
}

QVariant SuggestionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Suggestion& suggestion = m_suggestions[static_cast<std::size_t>(index.row())];
    const Category category = *ItemCatalogue::categoryOf(suggestion.position);
    switch (role) {
    case Qt::DisplayRole:
        return nameAt(suggestion.position);
    case Qt::AccessibleTextRole:
        return rowText(nameAt(suggestion.position), englishOf(suggestion)) + QStringLiteral("，") +
               binLabelText(category);
    case CategoryRole:
        return static_cast<int>(category);
    case EnglishRole:
        return englishOf(suggestion);
    default:
        return {};
    }
}

SuggestionList::SuggestionList(QLineEdit* box)
    : QListView(box)
    , m_box(box) {
    // A tool-tip window: placed exactly where asked, never activated, and it grabs neither the
    // keyboard nor the mouse, so the first click outside it reaches what it lands on.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setObjectName(QStringLiteral("suggestions"));
    setAccessibleName(QStringLiteral("搜索建议"));
    setFont(heitiFont(12));
    setModel(&m_model);
    setItemDelegate(new SuggestionDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(box, &QLineEdit::textEdited, this, &SuggestionList::updateForText);
    connect(this, &QListView::clicked, this, &SuggestionList::choose);
    box->installEventFilter(this);
    box->window()->installEventFilter(this);
    // Made ready after the main window's first frame, at the size it opens at with every row,
    // and the suggestions' tables with it.
    m_warmUp = new WindowWarmUp(
        this, viewport(), box->window(),
        [this] {
            const QFontMetrics metrics(font());
            const int boxWidth = m_box ? m_box->width() : 0;
            return QSize(boxWidth + metrics.horizontalAdvance(QStringLiteral("可回收物")),
                         (metrics.height() + rowPadding) * maximumRows + 2 * frameWidth());
        },
        &prepareSuggestions);
}

void SuggestionList::dismiss() {
    if (!isVisible())
        return;
    hide();
    qApp->removeEventFilter(this);
}

void SuggestionList::updateForText(const QString& text) {
    m_warmUp->finish();
    m_model.setText(text, maximumRows);
    if (m_model.rowCount() == 0 || !m_box || !m_box->hasFocus()) {
        dismiss();
        return;
    }
    clearSelection();
    setCurrentIndex({});
    placeUnderBox();
    if (!isVisible()) {
        show();
        // Every mouse press in the program, to close the list on one outside it.
        qApp->installEventFilter(this);
        Q_EMIT opened(m_model.rowCount());
    }
}

void SuggestionList::placeUnderBox() {
    int width = m_box->width();
    int height = 2 * frameWidth();
    for (int row = 0; row < m_model.rowCount(); ++row) {
        const QSize hint = sizeHintForIndex(m_model.index(row));
        width = std::max(width, hint.width() + 2 * frameWidth());
        height += hint.height();
    }
    resize(width, height);
    move(m_box->mapToGlobal(QPoint(0, m_box->height() + gapBelowBox)));
}

void SuggestionList::choose(const QModelIndex& index) {
    if (!index.isValid() || !m_box)
        return;
    m_box->setText(index.data(Qt::DisplayRole).toString());
    dismiss();
}

void SuggestionList::moveSelection(int step) {
    const int rows = m_model.rowCount();
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? std::clamp(current.row() + step, 0, rows - 1) : 0;
    setCurrentIndex(m_model.index(row));
}

bool SuggestionList::handleBoxKey(int key) {
    // Down asks for the list again once Escape or a search has closed it.
    if (!isVisible()) {
        if (key != Qt::Key_Down || !m_box)
            return false;
        updateForText(m_box->text());
        return isVisible();
    }
    switch (key) {
    case Qt::Key_Down:
        moveSelection(1);
        return true;
    case Qt::Key_Up:
        moveSelection(-1);
        return true;
    case Qt::Key_Escape:
        dismiss();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Without a selected row, Enter does what it always does: nothing.
        if (!currentIndex().isValid())
            return false;
        choose(currentIndex());
        return true;
    default:
        return false;
    }
}

bool SuggestionList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box) {
        if (event->type() == QEvent::KeyPress)
            return handleBoxKey(static_cast<QKeyEvent*>(event)->key());
        if (event->type() == QEvent::FocusOut)
            dismiss();
        return false;
    }
    if (m_box && watched == m_box->window()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            dismiss();
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget != m_box && widget != this && !isAncestorOf(widget))
            dismiss();
    }
    return false;
}

} // namespace vekkiro
