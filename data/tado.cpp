#include "tado.h"

#include "apperror.h"
#include "connection.h"
#include "examrules.h"
#include "logging.h"
#include "schema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

Tado::Tado(QObject *parent) : QObject(parent)
{
    setObjectName(u"ado"_s);
}

void Tado::FormCreate(const QString &bankFolder, bool readOnly)
{
    data::setConnectionString(data::buildConnectionString(bankFolder, readOnly));
    const QString &connection = data::connectionString();
    subject.setConnectionString(connection);
    subject.setIndexName(u"subId"_s);
    subject.open();
    sort.setConnectionString(connection);
    sort.open();
    options.setConnectionString(connection);
    options.open();
    sort.setSort(u"sortId"_s);

    // Which exam each type belongs to, and which exams have questions.
    m_types.clear();
    m_exams.clear();
    QSqlDatabase db = data::database(connection);
    if (data::hasColumn(db, u"sort"_s, u"subject"_s)) {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (query.exec(u"SELECT sortId, subject, EXISTS (SELECT 1 FROM subject q WHERE q.sortId = s.sortId) "
                       "FROM sort s ORDER BY sortId"_s)) {
            while (query.next()) {
                const int exam = query.value(1).toLongLong() == exam::kSubject4 ? exam::kSubject4 : exam::kSubject1;
                m_types.emplace_back(exam, query.value(0).toLongLong());
                if (query.value(2).toBool() && !holds(exam))
                    m_exams.push_back(exam);
            }
        } else {
            qCWarning(lcData).noquote() << u"cannot read the exams of the question types"_s;
        }
    }
    std::sort(m_exams.begin(), m_exams.end());
    if (m_exams.empty())
        m_exams.push_back(exam::kSubject1);
    chooseExam(m_exams.front());
}

bool Tado::holds(int exam) const
{
    return std::find(m_exams.begin(), m_exams.end(), exam) != m_exams.end();
}

void Tado::setExam(int exam)
{
    if (!holds(exam))
        throw AppError(u"题库中没有%1的试题。"_s.arg(exam::examName(exam)));
    chooseExam(exam);
}

void Tado::chooseExam(int exam)
{
    m_exam = exam;
    m_examSortIds.clear();
    if (!severalExams())
        return;
    for (const auto &[of, sortId] : m_types) {
        if (of == exam)
            m_examSortIds.push_back(sortId);
    }
}

void Tado::keepExamTypes()
{
    sort.setFiltered(false);
    if (severalExams()) {
        sort.setFilter(examTypes());
        sort.setFiltered(true);
    }
}

QString Tado::examTypes() const
{
    return severalExams() ? u"subject=%1"_s.arg(m_exam) : QString();
}

QString Tado::examQuestions() const
{
    if (!severalExams())
        return QString();
    QStringList ids;
    for (const qint64 sortId : m_examSortIds)
        ids << QString::number(sortId);
    return u"sortId in (%1)"_s.arg(ids.join(u", "_s));
}
