// For the start-up benchmark: with GLOSSMERE_EXIT_AFTER_PAINT set, the
// program ends as soon as the outcome of its command-line query has been
// painted, and prints the milliseconds since its start on stdout.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class CMainFrame;

class CFirstPaintProbe : public QObject {
public:
    // Installs itself when the environment asks for it.
    static void InstallIfAsked(CMainFrame& frame, const QElapsedTimer& sinceStart);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    CFirstPaintProbe(CMainFrame& frame, const QElapsedTimer& sinceStart);

    const QElapsedTimer& m_sinceStart;
    bool m_bOutcomeShown = false;
};
