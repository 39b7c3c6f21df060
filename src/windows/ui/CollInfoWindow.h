// The collection information window: name, translator, hadith count and
// description of one collection.
#pragma once

#include <QDialog>

class QLabel;
class THadithHelper;
class TOrvButton;
class TSchemePanel;

class TfrmCollInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmCollInfoDlg(QWidget* Parent = nullptr);

    // Fills the window from Coll and shows it modally; nothing for nullptr.
    void ShowCollInfo(const THadithHelper* Coll);
    void FillCollInfo(const THadithHelper& Coll);

    TSchemePanel* spnlName = nullptr;
    QLabel* lblTransInfo = nullptr;
    QLabel* lblCollName = nullptr;
    QLabel* lblCollTranslator = nullptr;
    QLabel* lblCollSearch = nullptr;
    QLabel* lblCollHCount = nullptr;
    QLabel* lblCollDesc = nullptr;
    TOrvButton* btnOK = nullptr;
};
