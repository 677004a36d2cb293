#pragma once

#include <vekkiro/suggestions.h>

#include <QAbstractListModel>
#include <QListView>
#include <QPointer>

#include <vector>

class QLineEdit;

namespace vekkiro {

class WindowWarmUp;

/// The catalogue names that match the search box's text, each with its bin.
class SuggestionModel : public QAbstractListModel {
    Q_OBJECT

public:
    /// Data role holding the row's Category, as an int.
    static constexpr int CategoryRole = Qt::UserRole + 1;
    /// Data role holding the English that led to the row's name ("peanut shell"), or nothing.
    static constexpr int EnglishRole = Qt::UserRole + 2;

    using QAbstractListModel::QAbstractListModel;

    /// Shows the names that suggestItems gives for the text, at most `limit`.
    void setText(const QString& text, int limit);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<Suggestion> m_suggestions;
};

/// The list of suggestions under the search box. It opens while the box has focus and its text
/// has suggestions, never takes the keyboard focus or the mouse from the box, and only fills
/// the box: a search still takes a click on "搜分类". Keys in the box: Down and Up move through
/// the rows, Enter takes the selected row, Escape closes the list, and Down opens it again for
/// the box's text. Not a QCompleter: its popup grabs the mouse, so the first click on "搜分类"
/// would only close the popup instead of searching. A click on a row takes it; a
/// click anywhere else closes the list and still reaches what was clicked.
class SuggestionList : public QListView {
    Q_OBJECT

public:
    static constexpr int maximumRows = 8;

    /// Attaches the list to the box. The list is a window of its own; the box owns it.
    explicit SuggestionList(QLineEdit* box);

    /// Closes the list; the box keeps its text.
    void dismiss();

Q_SIGNALS:
    /// The list has come up, with this many rows; not sent again while it stays open.
    void opened(int rows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateForText(const QString& text);
    void choose(const QModelIndex& index);
    void moveSelection(int step);
    void placeUnderBox();
    [[nodiscard]] bool handleBoxKey(int key);

    QPointer<QLineEdit> m_box;
    SuggestionModel m_model;
    WindowWarmUp* m_warmUp = nullptr;
};

} // namespace vekkiro
