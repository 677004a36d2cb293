#pragma once

#include <QAbstractButton>

namespace vekkiro {

/// A button drawn as nothing but its text, in its font and the palette's WindowText colour,
/// over its background where autoFillBackground asks for it: the windows draw their own buttons
/// around it ("搜分类" on the picture's pill) or want a link's look ("点击查看"). Pressing,
/// releasing outside to take the press back, Space, and an accessible push button with a Press
/// action are Qt's own. When the focus comes to it from the keyboard, its text is underlined.
class TextButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)

public:
    explicit TextButton(QWidget* parent = nullptr);

    [[nodiscard]] Qt::Alignment alignment() const { return m_alignment; }
    /// Where the text stands in the button; left and vertically centred unless set.
    void setAlignment(Qt::Alignment alignment);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_focusShown = false;
};

} // namespace vekkiro
