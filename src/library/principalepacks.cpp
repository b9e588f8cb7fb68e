#include "principale.h"

#include "logolist.h"

#include "app/hourglass.h"
#include "app/settings.h"
#include "platform/msgbox.h"
#include "platformui/dialogs.h"
#include "sets/logopackimport.h"

#include <QDir>

namespace
{

const char* const PackFilter = QT_TRANSLATE_NOOP("Principale", "Logo packs (*.zip)");

} // namespace

void Principale::ItmImportPack_Click()
{
    const QString pack = platform::chooseHostFile(this, tr("Import logo pack"), tr(PackFilter));
    if (!pack.isEmpty())
        importLogoPackFile(pack);
}

void Principale::importLogoPackFile(const QString& hostPath)
{
    PackImport imported;
    {
        const ScopedHourglass hourglass;
        imported = importLogoPack(hostPath, settings().LogoPath, [](const QString& name) {
            return MsgBox(Principale::tr(
                              "The selected folder '%1' already exist in your logo folder. Would you like to "
                              "overwrite the existing files?")
                              .arg(name),
                       vbYesNo | vbQuestion | vbDefaultButton2)
                == vbYes;
        });
    }
    if (!imported.problem.isEmpty()) {
        MsgBox(tr("The logo pack %1 was not imported: %2")
                   .arg(QDir::toNativeSeparators(hostPath), imported.problem),
            vbExclamation);
        return;
    }
    LeggiDatiDisco();
    if (!imported.sets.isEmpty())
        SelItem(imported.sets.last());
    VisualizzaNumLogo();
}

void Principale::ItmExportPack_Click()
{
    const int row = MyList->selectedRow();
    if (!MyList->isSelected(row)) {
        MsgBox(tr("Select the logo set to export first."), vbInformation);
        return;
    }
    const QString name = MyList->itemText(row);
    const QString pack = platform::chooseHostFile(
        this, tr("Export logo pack"), tr(PackFilter), name + QStringLiteral(".zip"));
    if (pack.isEmpty())
        return;
    const ScopedHourglass hourglass;
    if (const QString problem = exportLogoPack(name, settings().LogoPath, pack); !problem.isEmpty())
        MsgBox(tr("The logo set %1 was not exported to %2: %3")
                   .arg(name, QDir::toNativeSeparators(pack), problem),
            vbExclamation);
}
