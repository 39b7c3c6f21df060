// The search window: finds the hadiths of one collection that contain a text.
#pragma once

#include <QDialog>

class TfrmSearch : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSearch(QWidget* Parent = nullptr);
};
