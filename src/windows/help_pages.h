#pragma once

#include <QString>
#include <QUrl>
#include <cstdint>

// The maker's web site, as the window's link shows it.
QString MakerSiteAddress();

// The folder the help pages are opened from: the web address the build was configured with,
// or else the pages installed with the program, found from the running executable's folder.
QUrl HelpFolder();

// What the help action does in a game state.
struct HelpTarget {
    enum Kind { OpenPage, Nothing, ReportState };
    Kind kind;
    // The page to open for OpenPage.
    QUrl page;
    // The message for ReportState.
    QString message;
};

// The help of a state, with the pages in `folder`.
HelpTarget HelpTargetFor(std::uint8_t state, const QUrl& folder);
