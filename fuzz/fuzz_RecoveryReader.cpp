// The recovery copy reader on any bytes: it either refuses them with a message and no copy,
// or gives a copy that writes back to bytes it reads again to the same copy.
#include "ErrorHook.h"
#include "FuzzCheck.h"
#include "RecoveryCopy.h"

#include <QByteArray>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ErrorHook::set([](const QString& description) { FUZZ_CHECK(false, description); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RecoveryCopy::Result first = RecoveryCopy::read(bytes);
    if (!first.ok()) {
        FUZZ_CHECK(!first.copy, first.problem);
        return 0;
    }
    const QByteArray written = first.copy->write();
    const RecoveryCopy::Result second = RecoveryCopy::read(written);
    FUZZ_CHECK(second.ok(), QStringLiteral("a written copy is refused: ") + second.problem);
    FUZZ_CHECK(second.copy->write() == written, QStringLiteral("second write differs"));
    FUZZ_CHECK(second.copy->fileName == first.copy->fileName && second.copy->project == first.copy->project &&
                   second.copy->modified == first.copy->modified && second.copy->closed == first.copy->closed,
               QStringLiteral("the copy's header changed"));
    for (size_t i = 0; i < first.copy->objects.size(); ++i) {
        for (GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2})
            FUZZ_CHECK(first.copy->objects[i]->codeSnippet(api) == second.copy->objects[i]->codeSnippet(api),
                       QStringLiteral("snippet of object %1").arg(i + 1));
    }
    return 0;
}
