#include "noticerules.h"

#include "fonts.h"
#include "widgets.h"

#include <QLabel>

using namespace Qt::StringLiterals;

void addExamRules(QWidget *window, QLabel *labels[9])
{
    struct Rule {
        const char16_t *name;
        int left;
        int top;
        const char16_t *text;
    };
    static const Rule rules[9] = {
        {u"Label1", 40, 176, u"考试须知："},
        {u"Label2", 32, 208, u"1、遵守考场纪律，服从监考人员指挥。"},
        {u"Label3", 32, 232, u"2、进入考场，手机、拷机关机。禁止抽烟，禁止吃零食。"},
        {u"Label4", 32, 280, u"3、未经工作人员允许，考生禁止随便进入考场。"},
        {u"Label5", 32, 328, u"4、考场内禁止大声喧哗，禁止随意走动。"},
        {u"Label6", 32, 352, u"5、考试中认真答题，禁止交头接耳。"},
        {u"Label7", 32, 384, u"6、考试中不准冒名顶替，不准弄虚作假。"},
        {u"Label8", 32, 408, u"7、注意考场卫生，禁止随意吐痰，禁止乱扔纸屑。"},
        {u"Label9", 32, 456, u"8、爱护公物及考场设备。"},
    };
    // The rules wrap within the left column, left of the divider at 320.
    for (int i = 0; i < 9; ++i) {
        const Rule &rule = rules[i];
        labels[i] = makeLabel(window, QString::fromUtf16(rule.name), QString::fromUtf16(rule.text),
                              QRect(rule.left, rule.top, 320 - 8 - rule.left, 40), fonts::song(14, true),
                              Qt::black, true);
    }
}
