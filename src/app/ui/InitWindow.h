// The start-up window: a picture, a progress bar and a caption line that the
// content loaders update while the program loads.
#pragma once

#include "app/ui/FormBases.h"

#include <QLabel>
#include <QProgressBar>

class TfrmInit : public TfrmInitBase {
    Q_OBJECT
public:
    explicit TfrmInit(QWidget* Parent = nullptr);

    void SetLoadingMode(bool Loading);
    void SetLoadCaption(const std::string& Text) override;
    void SetProgressMax(int Value) override;
    void SetProgressPos(int Value) override;

    QProgressBar* Progress = nullptr;
    QLabel* lblLoadCaption = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblNotes = nullptr;
    QLabel* lblWebAddress = nullptr;
};
