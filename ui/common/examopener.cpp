#include "examopener.h"

#include "apperror.h"

using namespace Qt::StringLiterals;

namespace {

ExamOpener &opener()
{
    static ExamOpener held;
    return held;
}

} // namespace

void setExamOpener(ExamOpener how)
{
    opener() = std::move(how);
}

void openExamWindow(const QString &paperLabel, int modeFlag)
{
    if (!opener())
        throw AppError(u"考试窗口无法打开"_s);
    opener()(paperLabel, modeFlag);
}
