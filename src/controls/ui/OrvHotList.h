// A scrolling list of item panels, each a bold title over a word-wrapped
// description; the item under the mouse is highlighted and a click reports it.
#pragma once

#include <QColor>
#include <QScrollArea>
#include <QStringList>

#include <vector>

class QLabel;
class TOrvPanel;

class TOrvHotList : public QScrollArea {
    Q_OBJECT
public:
    explicit TOrvHotList(QWidget* Parent = nullptr);

    // Every item is "title|description"; setting the items rebuilds the panels.
    const QStringList& Items() const { return FItems; }
    void SetItems(const QStringList& Items);
    void Clear() { SetItems(QStringList()); }
    QString DelimChar = QStringLiteral("|");

    // The list's colour (background and idle stripes) and font colour (idle labels).
    QColor Color() const { return FColor; }
    void SetColor(const QColor& Value);
    QColor FontColor() const { return FFontColor; }
    void SetFontColor(const QColor& Value);

    int Count() const { return static_cast<int>(FPanels.size()); }
    int HighlightedIndex() const { return FHighlighted; }
    void Highlight(int Index);

    // The parts of one item (tests and callers that lay out around them).
    TOrvPanel* Panel(int Index) const;
    QWidget* Stripe(int Index) const;
    QLabel* TitleLabel(int Index) const;
    QLabel* DescriptionLabel(int Index) const;

    static constexpr int StripeWidth = 8;

signals:
    void OnItemClick(int Index);
    void OnItemSelect(int Index);

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    struct TItemParts {
        TOrvPanel* Panel = nullptr;
        QWidget* Stripe = nullptr;
        QLabel* Title = nullptr;
        QLabel* Description = nullptr;
    };
    void Rebuild();
    void LayoutPanels();
    void ApplyColours();
    bool Valid(int Index) const { return Index >= 0 && Index < Count(); }

    QStringList FItems;
    std::vector<TItemParts> FPanels;
    QWidget* FContent = nullptr;
    QColor FColor{Qt::black};
    QColor FFontColor{192, 192, 192};
    int FHighlighted = 0;
};
