#pragma once

#include "form.h"
#include "roster.h"

class QComboBox;
class QLabel;
class QPushButton;

// The vehicle-class choice of a mock exam. It lives for the whole run and
// keeps the class chosen last; its Tag holds the mode flag it was given.
class Txccx : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::xccx;
    // The class labels of the exam window, by class index (none for 3, 4).
    static QString classLabel(int classIndex);

    explicit Txccx(QWidget *parent = nullptr);
    void FormCreate() {}
    void FormKeyDown(int key) override;

    QLabel *Label1;
    QLabel *Label2;
    QComboBox *ComboBox1;
    QPushButton *Button1;
    QPushButton *Button2;
    QLabel *Label3;
    QLabel *Label4;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button1Click();
    void Button2Click();

    bool m_sized = false;
};
