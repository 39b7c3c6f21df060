// The news window: the latest project news fetched from the web service.
#pragma once

#include <QWidget>

class TfrmNews : public QWidget {
    Q_OBJECT
public:
    explicit TfrmNews(QWidget* Parent = nullptr);
};
