#pragma once

#include <QWidget>

struct Tutor;

// The client area: shows the tutor's screen image and draws it anew when invalidated.
class ClientArea : public QWidget {
public:
    ClientArea(Tutor& tutor, QWidget* parent);
    void Invalidate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Tutor& tutor_;
    bool dirty_ = true;
};
