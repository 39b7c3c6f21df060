// The light HTML view of the glossary's term pages. Pages are loaded from a
// string; a clicked link never navigates: its target goes to OnHotSpotClick
// and the owner decides what it means.
#pragma once

#include <QColor>
#include <QTextBrowser>

#include <functional>
#include <string>

class TOrvHTML : public QTextBrowser {
    Q_OBJECT
public:
    explicit TOrvHTML(QWidget* Parent = nullptr);

    void LoadFromString(const std::string& Html);
    const std::string& Html() const { return FHtml; }

    // Colour of the links of the pages loaded from now on; the page on show
    // is laid out again in it.
    void SetDefFontColor(const QColor& Colour);
    QColor DefFontColor() const { return FLinkColour; }
    // Colour of a link under the mouse.
    void SetDefHotSpotColor(const QColor& Colour) { FHotSpotColour = Colour; }
    QColor DefHotSpotColor() const { return FHotSpotColour; }

    // A link was clicked: its target as the page holds it.
    std::function<void(const std::string& Target)> OnHotSpotClick;
    // Ctrl+C released in a view whose key-up runs FilterKeyUp: the clipboard's
    // text.
    std::function<void(QObject* Sender, const std::string& Text)> OnCopyText;
    void FilterKeyUp(QKeyEvent* Event);

private:
    void ApplyLinkColour();

    std::string FHtml;
    QColor FLinkColour{Qt::blue};
    QColor FHotSpotColour{Qt::blue};
};
