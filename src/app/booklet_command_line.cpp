#include "app/booklet_command_line.h"

#include "game/booklet_puzzles.h"
#include "print/booklet_layout.h"
#include "print/booklet_printer.h"
#include "windows/qt_translations.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

constexpr int kWritten = 0;
constexpr int kNotWritten = 1;
constexpr int kWrongArguments = 2;

const char* const kOurOptions[] = {"--libretto", "--dimensione", "--quanti", "--per-pagina",
                                   "--seme",     "--help",       "-h",       "-?"};

struct Request {
    QString path;
    int boxSize = 3;
    int count = 0;
    int perPage = 0;
    std::optional<std::uint32_t> seed;
};

void Say(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

int Refuse(const QString& reason) {
    Say(stderr, QStringLiteral("caselio: %1").arg(reason));
    Say(stderr, QStringLiteral("Per l'elenco delle opzioni: caselio --help"));
    return kWrongArguments;
}

QString Choices(const std::vector<int>& values) {
    QStringList names;
    for (int value : values)
        names << QString::number(value);
    return names.join(QStringLiteral(", "));
}

// The request, or the reason it cannot be carried out.
std::optional<Request> ReadRequest(const QCommandLineParser& parser, QString& reason) {
    Request request;
    if (!parser.positionalArguments().isEmpty()) {
        reason = QStringLiteral("argomento non previsto: «%1».")
                     .arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }
    request.path = parser.value(QStringLiteral("libretto"));
    if (request.path.isEmpty()) {
        reason = QStringLiteral("manca il file del libretto (--libretto FILE.pdf).");
        return std::nullopt;
    }
    if (!request.path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        reason = QStringLiteral("il libretto si scrive in PDF: il nome del file deve finire "
                                "in .pdf, non «%1».")
                     .arg(request.path);
        return std::nullopt;
    }

    const QString side = parser.value(QStringLiteral("dimensione"));
    if (side.isEmpty()) {
        reason = QStringLiteral("manca la dimensione della griglia (--dimensione 9, 16 o 25).");
        return std::nullopt;
    }
    if (side == QStringLiteral("9"))
        request.boxSize = 3;
    else if (side == QStringLiteral("16"))
        request.boxSize = 4;
    else if (side == QStringLiteral("25"))
        request.boxSize = 5;
    else {
        reason = QStringLiteral("la dimensione «%1» non esiste: scegli 9, 16 o 25.").arg(side);
        return std::nullopt;
    }

    const QString count = parser.value(QStringLiteral("quanti"));
    if (count.isEmpty()) {
        reason = QStringLiteral("manca il numero di sudoku (--quanti, da 1 a %1).")
                     .arg(kMaxBookletPuzzles);
        return std::nullopt;
    }
    bool ok = false;
    request.count = count.toInt(&ok);
    if (!ok || request.count < 1 || request.count > kMaxBookletPuzzles) {
        reason = QStringLiteral("--quanti vuole un numero intero da 1 a %1, non «%2».")
                     .arg(kMaxBookletPuzzles)
                     .arg(count);
        return std::nullopt;
    }

    const std::vector<int> choices = PuzzlesPerPageChoices(request.boxSize);
    request.perPage = DefaultPuzzlesPerPage(request.boxSize);
    if (parser.isSet(QStringLiteral("per-pagina"))) {
        const QString perPage = parser.value(QStringLiteral("per-pagina"));
        request.perPage = perPage.toInt(&ok);
        if (!ok || std::find(choices.begin(), choices.end(), request.perPage) == choices.end()) {
            reason = QStringLiteral("--per-pagina per il %1x%1 può essere %2, non «%3».")
                         .arg(request.boxSize * request.boxSize)
                         .arg(Choices(choices), perPage);
            return std::nullopt;
        }
    }

    if (parser.isSet(QStringLiteral("seme"))) {
        const QString seed = parser.value(QStringLiteral("seme"));
        const qulonglong value = seed.toULongLong(&ok);
        if (!ok || value > 0xFFFFFFFFull) {
            reason = QStringLiteral("--seme vuole un numero intero da 0 a 4294967295, non «%1».")
                         .arg(seed);
            return std::nullopt;
        }
        request.seed = static_cast<std::uint32_t>(value);
    }
    return request;
}

} // namespace

bool WantsBookletCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : kOurOptions) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    return false;
}

int RunBookletCommandLine(int argc, char** argv) {
    // No window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Caselio"));
    UseItalianQtTexts(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Caselio scrive un libretto di sudoku in un file PDF: i sudoku numerati, "
                       "quanti ne stanno in una pagina, e in fondo le loro soluzioni."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra queste opzioni."));
    parser.addOption(help);
    parser.addOption({QStringLiteral("libretto"),
                      QStringLiteral("Il file PDF da scrivere (ne prende il posto se c'è già)."),
                      QStringLiteral("FILE.pdf")});
    parser.addOption({QStringLiteral("dimensione"),
                      QStringLiteral("Il lato della griglia: 9, 16 o 25."),
                      QStringLiteral("9|16|25")});
    parser.addOption({QStringLiteral("quanti"),
                      QStringLiteral("Quanti sudoku, da 1 a %1.").arg(kMaxBookletPuzzles),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("per-pagina"),
                      QStringLiteral("Sudoku per pagina: 1, 2, 4 o 6 per il 9x9 (4 se non "
                                     "detto), 1, 2 o 4 per il 16x16 (2), 1 o 2 per il 25x25 "
                                     "(1). Le soluzioni seguono, più piccole."),
                      QStringLiteral("K")});
    parser.addOption({QStringLiteral("seme"),
                      QStringLiteral("Il valore di partenza dei numeri casuali, da 0 a "
                                     "4294967295: lo stesso valore dà gli stessi sudoku."),
                      QStringLiteral("S")});

    if (!parser.parse(QGuiApplication::arguments())) {
        if (!parser.unknownOptionNames().isEmpty())
            return Refuse(QStringLiteral("opzione sconosciuta: «%1».")
                              .arg(parser.unknownOptionNames().constFirst()));
        return Refuse(
            QStringLiteral("un'opzione è senza il suo valore (%1).").arg(parser.errorText()));
    }
    if (parser.isSet(help)) {
        Say(stdout, parser.helpText());
        return kWritten;
    }
    QString reason;
    const std::optional<Request> request = ReadRequest(parser, reason);
    if (!request)
        return Refuse(reason);

    const std::vector<BookletPuzzle> puzzles =
        MakeBookletPuzzles(request->boxSize, request->count, request->seed);
    if (puzzles.empty()) {
        Say(stderr, QStringLiteral("caselio: i sudoku non si sono potuti preparare."));
        return kNotWritten;
    }
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Millimeter);
    const BookletFileResult result = WriteBookletPdf(request->path, a4, {}, puzzles,
                                                     request->boxSize, request->perPage, nullptr);
    if (result.outcome != BookletOutcome::Printed) {
        Say(stderr, QStringLiteral("caselio: %1").arg(result.error));
        return kNotWritten;
    }
    return kWritten;
}
