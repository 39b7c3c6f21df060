// The page view of the main window and the search report. Pages are written
// in as HTML text; links never navigate: their targets are reported, and the
// owner decides what they do. Pictures addressed "res://<program>/<GROUP>/<NAME>"
// come from the program's resources.
#pragma once

#include <QTextBrowser>

#include <string>

class TOrvWebBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit TOrvWebBrowser(QWidget* Parent = nullptr);

    void LoadHtml(const std::string& Html);
    std::string Html() const { return FHtml; }
    // Scrolls to every anchor whose name contains Text; the last one ends in view.
    void ScrollToAnchor(const std::string& Text);
    void ScrollAnchorIntoView(int Index);
    std::vector<std::string> AnchorNames() const;
    std::string GetSelectedText() const;

    bool Writing = false;

    // Qt resource path of a "res://" picture address, empty when it is none.
    static QString ResourcePath(const QString& Address);

signals:
    // The link's target as the page holds it.
    void LinkClicked(const QString& Target);
    // The word under a double-click, selected.
    void WordDoubleClicked(const QString& Word);

protected:
    QVariant loadResource(int Type, const QUrl& Name) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    struct TAnchor {
        std::string Name;
        int Position;
    };
    std::vector<TAnchor> Anchors() const;
    std::string FHtml;
};
