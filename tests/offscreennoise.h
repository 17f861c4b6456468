#pragma once

#include <QString>
#include <QtGlobal>

namespace mjcalc::test {

// The offscreen platform warns on every window it is asked to raise or to size by hints, which
// it cannot do and need not. A test that opens windows by the thousand would drown its own
// figures in these, and Qt Test stops printing anything after its warning limit; so they are
// dropped, and every other message goes on to Qt Test as before.
inline void dropOffscreenPlatformNotices()
{
    static QtMessageHandler next = nullptr;
    next = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context,
                                     const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
            return;
        if (next)
            next(type, context, text);
    });
}

} // namespace mjcalc::test
