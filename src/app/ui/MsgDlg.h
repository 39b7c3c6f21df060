// The program's own message box: black, white text, a coloured heading and
// up to three buttons on a dark strip. One instance serves every message and
// keeps the last call's caption, colours and buttons.
#pragma once

#include "controls/ui/OrvButton.h"

#include <QDialog>

#include <deque>
#include <functional>

class QLabel;
class QFrame;

class TfrmMsgDlg : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMsgDlg(QWidget* Parent = nullptr);

    int ShowMsgDlg(uint8_t Kind, int Height, bool ColouredHeading, const QString& Heading,
                   const QString& Text, uint16_t Buttons);

    QLabel* lblHeading = nullptr;
    QLabel* lblMessage = nullptr;
    TOrvButton* btnR1 = nullptr;
    TOrvButton* btnR2 = nullptr;
    TOrvButton* btnR3 = nullptr;

    // Tests answer messages without a person: each queued answer is the modal
    // result of the button to press; the window is filled and shown as usual
    // and the button is clicked as soon as it is on screen. An answer that no
    // visible button gives closes the window with that result all the same.
    static std::deque<int>& AnswerQueue();
    // Called with the window just before each queued answer is given.
    static std::function<void(TfrmMsgDlg&)>& OnAnswering();

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void SetButton(TOrvButton* Button, const QString& Caption, int Result);
    void Layout();
    int FResults[3] = {0, 0, 0};
    QFrame* FRule = nullptr;
    QWidget* FStrip = nullptr;
};

// The one instance; created on first use.
TfrmMsgDlg& frmMsgDlg();
