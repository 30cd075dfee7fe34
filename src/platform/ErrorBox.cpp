#include "ErrorBox.h"

#include "ErrorHook.h"
#include "MessageBox.h"

#include <QApplication>

void ErrorBox::install()
{
    ErrorHook::set([](const QString& description) {
        MessageBox::critical(QApplication::activeWindow(), QStringLiteral("Error Occured"), description);
    });
}
