#pragma once

#include "Ui.h"

// The dialog-driving part of Ui under its first name.
struct ModalDriver
{
    static void whenModal(std::function<void(QWidget*)> action, QWidget* besides = nullptr)
    {
        Ui::whenModal(std::move(action), besides);
    }
    static void press(QWidget* root, const QString& name) { Ui::press(root, name); }
    static void fill(QWidget* root, const QStringList& entries) { Ui::fill(root, entries); }
    static void end(QWidget* modal, const QString& how) { Ui::end(modal, how); }
    static QString enterPair(QWidget* editor, const QString& key, const QString& value,
                             const QString& how = QStringLiteral("cmdOK"))
    {
        return Ui::enterPair(editor, key, value, how);
    }
};
