// The glossary window: the list of terms, the page of the selected term and
// the word spelling query.
#pragma once

#include <QWidget>

class TfrmGloss : public QWidget {
    Q_OBJECT
public:
    explicit TfrmGloss(QWidget* Parent = nullptr);
};
