#include "windows/help_pages.h"

#include "game/game_state.h"
#include "windows/site_addresses.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// The file name of the help page for a state, empty where no page belongs to it.
QString HelpPageName(std::uint8_t state) {
    switch (state) {
    case NoPuzzle:
        return QStringLiteral("w_velmora-caselio0-hlp0.html");
    case PuzzleView:
    case SolutionView:
        return QStringLiteral("w_velmora-caselio0-hlp1.html");
    case Playing:
    case PlayingSolutionView:
        return QStringLiteral("w_velmora-caselio0-hlp2.html");
    default:
        return {};
    }
}

} // namespace

QString MakerSiteAddress() {
    return QString::fromUtf8(kConfiguredMakerSite);
}

QUrl HelpFolder() {
    const QString configured = QString::fromUtf8(kConfiguredHelpBase);
    if (!configured.isEmpty())
        return QUrl(configured);
    return QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                               QLatin1Char('/') +
                                               QLatin1String(kHelpDirFromExecutable)));
}

HelpTarget HelpTargetFor(std::uint8_t state, const QUrl& folder) {
    // 3 is a state number the game never enters: no page, and nothing to report.
    if (state == 3)
        return {HelpTarget::Nothing, {}, {}};
    const QString name = HelpPageName(state);
    if (name.isEmpty())
        return {HelpTarget::ReportState,
                {},
                QStringLiteral("Internal error showHelp001: stato:%1 non gestito!")
                    .arg(static_cast<unsigned>(state))};
    // The page sits inside the folder, whether or not its address ends with a slash.
    QUrl page = folder;
    QString path = folder.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    page.setPath(path + name);
    return {HelpTarget::OpenPage, page, {}};
}
