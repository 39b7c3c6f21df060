#include "controls/ui/OrvHotList.h"

#include "controls/ui/OrvPanel.h"

#include <QLabel>
#include <QScrollBar>

namespace {
constexpr int PanelMargin = 20; // panel narrower than the list
constexpr int LabelLeft = 16;
constexpr int TitleTop = 2;
constexpr int DescriptionTop = 26;
constexpr int PanelExtra = 18; // panel height beyond its two labels
constexpr int PanelGap = 1;

void SetBackground(QWidget* W, const QColor& C) {
    QPalette P = W->palette();
    P.setColor(QPalette::Window, C);
    W->setPalette(P);
    W->setAutoFillBackground(true);
}

void SetTextColour(QLabel* L, const QColor& C) {
    QPalette P = L->palette();
    P.setColor(QPalette::WindowText, C);
    L->setPalette(P);
}
} // namespace

TOrvHotList::TOrvHotList(QWidget* Parent) : QScrollArea(Parent) {
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    FContent = new QWidget;
    setWidget(FContent);
    SetBackground(viewport(), FColor);
    SetBackground(FContent, FColor);
}

void TOrvHotList::SetColor(const QColor& Value) {
    FColor = Value;
    SetBackground(viewport(), FColor);
    SetBackground(FContent, FColor);
    ApplyColours();
}

void TOrvHotList::SetFontColor(const QColor& Value) {
    FFontColor = Value;
    ApplyColours();
}

void TOrvHotList::SetItems(const QStringList& Items) {
    FItems = Items;
    Rebuild();
}

TOrvPanel* TOrvHotList::Panel(int Index) const {
    return Valid(Index) ? FPanels[Index].Panel : nullptr;
}
QWidget* TOrvHotList::Stripe(int Index) const {
    return Valid(Index) ? FPanels[Index].Stripe : nullptr;
}
QLabel* TOrvHotList::TitleLabel(int Index) const {
    return Valid(Index) ? FPanels[Index].Title : nullptr;
}
QLabel* TOrvHotList::DescriptionLabel(int Index) const {
    return Valid(Index) ? FPanels[Index].Description : nullptr;
}

void TOrvHotList::Rebuild() {
    for (TItemParts& Parts : FPanels)
        delete Parts.Panel;
    FPanels.clear();
    FHighlighted = 0;

    for (int i = 0; i < FItems.size(); ++i) {
        const QString& Item = FItems[i];
        const int Delim = DelimChar.isEmpty() ? -1 : Item.indexOf(DelimChar);
        const QString Title = Delim < 0 ? QStringLiteral("Untitled") : Item.left(Delim);
        const QString Description = Delim < 0 ? Item : Item.mid(Delim + DelimChar.size());

        TItemParts Parts;
        Parts.Panel = new TOrvPanel(FContent);
        Parts.Panel->setFrameShape(QFrame::NoFrame);
        SetBackground(Parts.Panel, FColor);
        Parts.Stripe = new QWidget(Parts.Panel);
        Parts.Title = new QLabel(Title, Parts.Panel);
        QFont TitleFont = font();
        TitleFont.setBold(true);
        if (TitleFont.pointSizeF() > 0)
            TitleFont.setPointSizeF(TitleFont.pointSizeF() + 2);
        else
            TitleFont.setPixelSize(TitleFont.pixelSize() + 2);
        Parts.Title->setFont(TitleFont);
        Parts.Description = new QLabel(Description, Parts.Panel);
        Parts.Description->setWordWrap(true);
        Parts.Description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Clicks and the mouse entering go to the panel under the labels.
        for (QWidget* W : {Parts.Stripe, static_cast<QWidget*>(Parts.Title),
                           static_cast<QWidget*>(Parts.Description)})
            W->setAttribute(Qt::WA_TransparentForMouseEvents);
        connect(Parts.Panel, &TOrvPanel::OnMouseEnter, this, [this, i] { Highlight(i); });
        connect(Parts.Panel, &TOrvPanel::OnClick, this, [this] { emit OnItemClick(FHighlighted); });
        FPanels.push_back(Parts);
    }
    LayoutPanels();
    for (TItemParts& Parts : FPanels)
        Parts.Panel->show();
    ApplyColours();
    if (!FPanels.empty())
        Highlight(0);
}

// Places the panels from the top at the list's current width; descriptions
// wrap to that width, so a resize lays them out again.
void TOrvHotList::LayoutPanels() {
    const int PanelWidth = std::max(0, viewport()->width() - PanelMargin);
    int Top = 0;
    for (TItemParts& Parts : FPanels) {
        Parts.Title->adjustSize();
        Parts.Title->move(LabelLeft, TitleTop);
        const int DescWidth = std::max(1, PanelWidth - PanelMargin);
        Parts.Description->setFixedWidth(DescWidth);
        const int DescHeight = Parts.Description->heightForWidth(DescWidth);
        Parts.Description->setFixedHeight(std::max(0, DescHeight));
        Parts.Description->move(LabelLeft, DescriptionTop);
        const int Height = Parts.Title->height() + Parts.Description->height() + PanelExtra;
        Parts.Panel->setGeometry(0, Top, PanelWidth, Height);
        Parts.Stripe->setGeometry(0, 0, StripeWidth, Height);
        Top += Height + PanelGap;
    }
    FContent->resize(std::max(0, viewport()->width()), Top);
}

void TOrvHotList::resizeEvent(QResizeEvent* Event) {
    QScrollArea::resizeEvent(Event);
    LayoutPanels();
}

void TOrvHotList::ApplyColours() {
    for (int i = 0; i < Count(); ++i) {
        const bool Lit = i == FHighlighted;
        SetBackground(FPanels[i].Panel, FColor);
        SetBackground(FPanels[i].Stripe, Lit ? QColor(Qt::white) : FColor);
        SetTextColour(FPanels[i].Title, Lit ? QColor(Qt::white) : FFontColor);
        SetTextColour(FPanels[i].Description, Lit ? QColor(Qt::white) : FFontColor);
    }
}

void TOrvHotList::Highlight(int Index) {
    if (!Valid(Index))
        return;
    FHighlighted = Index;
    ApplyColours();
    emit OnItemSelect(Index);
}
