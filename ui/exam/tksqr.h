#pragma once

#include "form.h"
#include "roster.h"

class QLabel;
class QPushButton;
class Shape;

// The hand-in confirmation, above the exam window, which goes on meanwhile.
class Tksqr : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::ksqr;

    explicit Tksqr(QWidget *parent = nullptr);
    void FormCreate() {}
    void FormKeyDown(int key) override;

    Shape *Shape1;
    QLabel *Label2;
    Shape *Shape2;
    QLabel *Label1;
    Shape *Shape3;
    QLabel *Label4;
    QLabel *Label5;
    Shape *Shape4;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Label3;

private:
    void Button1Click();
    void Button2Click();
};
