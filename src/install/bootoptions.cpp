#include "bootoptions.h"

#include "app/attempt.h"
#include "platform/files.h"
#include "platform/profile.h"

QString logoOptionText(int logoOption)
{
    return (logoOption >= 0 ? QStringLiteral(" ") : QString()) + QString::number(logoOption);
}

void writeLogoOption(const QString& msdosPath, bool logoChanged, int logoOption)
{
    if (!logoChanged) {
        attempt([&] { platform::SetAttr(msdosPath, platform::vbReadOnly); });
        return;
    }
    attempt([&] { platform::SetAttr(msdosPath, platform::FileAttributeNormalApi); });
    // A boot configuration made from nothing would hold only this line and stop Windows booting.
    if (!platform::fileExists(msdosPath))
        return;
    attempt([&] {
        platform::WritePrivateProfileString(
            QStringLiteral("Options"), QStringLiteral("Logo"), logoOptionText(logoOption), msdosPath);
    });
}
