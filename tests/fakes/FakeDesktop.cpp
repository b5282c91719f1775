#include "FakeDesktop.h"

#include <QDialog>

void FakeModalRunner::exec(QDialog& dialog)
{
    ++runs;
    dialog.show();
    if (whileOpen)
        whileOpen(dialog);
}
