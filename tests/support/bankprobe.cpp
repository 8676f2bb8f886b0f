// bankprobe: claims the question bank as the program does at start-up, for
// a given program folder and user data folder, and prints the outcome, so
// that a test can run it as a user who cannot write the program folder.
//
//   bankprobe <program folder> <user data folder> [paper|hold]
//
// Prints "outcome=ready|busy|nowhere", "folder=...", "problem=..." and
// "notice=...".
// paper: then writes a paper of the bank's first question into the bank
// claimed and prints "paper=<subid>" (or "paper-error=<text>").
// hold: keeps the bank locked until standard input closes.
#include "apperror.h"
#include "bankfiles.h"
#include "bankplace.h"
#include "connection.h"
#include "paper.h"
#include "programfolder.h"
#include "tado.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

QString outcomeName(app::BankPlace::Outcome outcome)
{
    switch (outcome) {
    case app::BankPlace::Outcome::Ready: return u"ready"_s;
    case app::BankPlace::Outcome::Busy: return u"busy"_s;
    case app::BankPlace::Outcome::NoWritablePlace: return u"nowhere"_s;
    }
    return QString();
}

QString writeOnePaper()
{
    try {
        Tado ado;
        ado.FormCreate(app::bankFolder());
        data::Table note(u"note"_s);
        note.setConnectionString(data::connectionString());
        note.setSort(u"noteId"_s);
        ado.subject.first();
        const qint64 subid = ado.subject.asInt(u"subid"_s);
        data::writePaper(note, [&] {
            note.append();
            note.setValue(u"subid"_s, subid);
        });
        return u"paper=%1"_s.arg(subid);
    } catch (const std::exception &e) {
        return u"paper-error="_s + errorText(e);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() < 3)
        return 64;
    app::setProgramFolder(args.at(1));
    app::setUserDataFolder(args.at(2));
    // Whatever the school installed on this machine stays out of the test.
    const QString none = args.at(2) + u"/no-school/"_s;
    data::setSchoolFolders({none + u"etc"_s, none + u"var"_s, none + u"share"_s});
    const QString action = args.value(3);

    QTextStream out(stdout);
    int status = 0;
    {
        app::BankPlace place;
        const app::BankPlace::Outcome outcome = place.claim();
        out << "outcome=" << outcomeName(outcome) << "\nfolder=" << place.folder()
            << "\nproblem=" << place.problem() << "\nnotice=" << place.notice() << '\n';
        if (action == u"paper"_s && outcome != app::BankPlace::Outcome::Busy)
            out << writeOnePaper() << '\n';
        out.flush();
        data::closeAllConnections();
        if (action == u"hold"_s) {
            QFile in;
            if (in.open(stdin, QIODevice::ReadOnly))
                in.readAll();
        }
        status = outcome == app::BankPlace::Outcome::Busy ? 1 : 0;
    }
    return status;
}
