#include "questionoptions.h"

#include "table.h"

using namespace Qt::StringLiterals;

namespace data {

std::vector<QuestionOption> readQuestionOptions(Table &options, qint64 subid)
{
    options.setFilter(u"subid=%1"_s.arg(subid));
    options.setFiltered(true);
    std::vector<QuestionOption> read;
    for (options.first(); !options.eof() && static_cast<int>(read.size()) < kShownOptions; options.next())
        read.push_back(
            {options.asText(u"optcontent"_s), options.asInt(u"optid"_s), options.asInt(u"iskey"_s)});
    return read;
}

} // namespace data
