#pragma once

#include "form.h"
#include "roster.h"
#include "table.h"

#include <QGroupBox>
#include <QList>
#include <vector>

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class Picture;

// A captioned group of radio buttons in one column, spread evenly over the
// group's height; when there are more than fit, the column scrolls.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget *parent, const QString &name, const QString &caption, const QRect &bounds);

    void clearItems();
    void addItem(const QString &text);
    int count() const { return static_cast<int>(m_buttons.size()); }
    QString itemText(int index) const;
    // The selected item, -1 when none is.
    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *button(int index) const { return m_buttons.value(index); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange();

    QScrollArea *m_area;
    QWidget *m_column;
    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};

// The browse selection: a vehicle class, and one of the question types that
// its exams draw on. "浏览题库" hands the chosen type to the question browser
// through this window's Tag.
class Tlxxc : public Form {
    Q_OBJECT
public:
    static constexpr app::Slot kSlot = app::Slot::lxxc;
    explicit Tlxxc(QWidget *parent = nullptr);
    void FormCreate();

    // The sortId of each listed type, in list order.
    const std::vector<qint64> &typeTable() const { return m_types; }

    Picture *Image1;
    QLabel *Label6;
    QLabel *Label1;
    QComboBox *cbx;
    RadioGroup *rgp;
    QPushButton *Button1; // 浏览题库
    QPushButton *Button2; // 返回主界面

private:
    void cbxChange();
    void Button1Click();
    void Button2Click();
    void BuildTypeList(int classIndex);

    std::vector<qint64> m_types;
    // Counts the questions of one type; a cursor of the window's own, so
    // that the shared subject table keeps what other windows set on it.
    data::Table m_count{QStringLiteral("subject")};
};
