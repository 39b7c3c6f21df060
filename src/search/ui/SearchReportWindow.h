// The search report window: one page with every hadith a search found.
#pragma once

#include <QDialog>

class TfrmSearchReportDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSearchReportDlg(QWidget* Parent = nullptr);
};
