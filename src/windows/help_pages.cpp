#include "windows/help_pages.h"

QString HelpPagePath(std::uint8_t state) {
    switch (state) {
    case 0:
        return QStringLiteral("/w_velmora-caselio0-hlp0.aspx");
    case 1:
    case 2:
        return QStringLiteral("/w_velmora-caselio0-hlp1.aspx");
    case 4:
    case 5:
        return QStringLiteral("/w_velmora-caselio0-hlp2.aspx");
    default:
        return {};
    }
}

HelpTarget HelpTargetFor(std::uint8_t state) {
    if (state == 3)
        return {HelpTarget::Nothing, {}};
    const QString path = HelpPagePath(state);
    if (path.isEmpty())
        return {HelpTarget::ReportState,
                QStringLiteral("Internal error showHelp001: stato:%1 non gestito!")
                    .arg(static_cast<unsigned>(state))};
    return {HelpTarget::OpenPage, QStringLiteral("https://") + QLatin1String(kHelpHost) + path};
}
