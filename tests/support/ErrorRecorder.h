#pragma once

#include "ErrorHook.h"

#include <QStringList>

// Records what the model reports through ErrorHook while it lives.
class ErrorRecorder
{
public:
    ErrorRecorder()
    {
        m_previous = ErrorHook::set([this](const QString& description) { reported.append(description); });
    }
    ~ErrorRecorder() { ErrorHook::set(std::move(m_previous)); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList reported;

private:
    ErrorHook::Handler m_previous;
};
