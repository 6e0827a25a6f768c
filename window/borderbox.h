#pragma once

#include <QColor>
#include <QFrame>

// A container with the platform's thin sunken border. Its contents are
// placed in client(), whose coordinates start inside the border.
class BorderBox : public QFrame {
    Q_OBJECT
public:
    BorderBox(const QString &name, QWidget *parent, QWidget *client = nullptr);

    QWidget *client() const { return client_; }
    void setBackground(QColor c);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    QWidget *client_;
    QColor background_;
};
