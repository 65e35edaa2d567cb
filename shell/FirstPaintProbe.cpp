#include "shell/FirstPaintProbe.h"

#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include "shell/MainFrame.h"
#include "shell/MyDictView.h"

CFirstPaintProbe::CFirstPaintProbe(CMainFrame& frame, const QElapsedTimer& sinceStart)
    : QObject(&frame), m_sinceStart(sinceStart) {
    connect(&frame, &CMainFrame::searchFinished, this, [this] { m_bOutcomeShown = true; });
    frame.GetView()->viewport()->installEventFilter(this);
}

void CFirstPaintProbe::InstallIfAsked(CMainFrame& frame, const QElapsedTimer& sinceStart) {
    if (qEnvironmentVariableIsSet("GLOSSMERE_EXIT_AFTER_PAINT"))
        new CFirstPaintProbe(frame, sinceStart);
}

bool CFirstPaintProbe::eventFilter(QObject* pWatched, QEvent* pEvent) {
    if (pEvent->type() == QEvent::Paint && m_bOutcomeShown) {
        m_bOutcomeShown = false;
        // After this paint has ended.
        QTimer::singleShot(0, this, [this] {
            std::printf("painted %lld\n", static_cast<long long>(m_sinceStart.elapsed()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(pWatched, pEvent);
}
