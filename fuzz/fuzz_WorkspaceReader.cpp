// The workspace reader on any bytes: it either refuses them with a message and no objects,
// or gives objects whose file reads back to the same file, project folder and snippets.
#include "ErrorHook.h"
#include "FuzzCheck.h"
#include "WorkspaceReader.h"
#include "WorkspaceWriter.h"

#include <QByteArray>
#include <QList>

namespace {

QList<const ModelObject*> view(const std::vector<std::unique_ptr<ModelObject>>& objects)
{
    QList<const ModelObject*> list;
    for (const auto& object : objects)
        list.append(object.get());
    return list;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The reader files pairs only under fresh keys, so the model never has to complain.
    ErrorHook::set([](const QString& description) { FUZZ_CHECK(false, description); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const WorkspaceReader::Result first = WorkspaceReader::read(bytes);
    if (!first.ok()) {
        FUZZ_CHECK(first.objects.empty(), first.problem);
        return 0;
    }
    const QByteArray saved = WorkspaceWriter::write(view(first.objects), first.project);
    const WorkspaceReader::Result second = WorkspaceReader::read(saved);
    FUZZ_CHECK(second.ok(), QStringLiteral("a written file is refused: ") + second.problem);
    FUZZ_CHECK(second.project == first.project, QStringLiteral("project folder"));
    FUZZ_CHECK(WorkspaceWriter::write(view(second.objects), second.project) == saved,
               QStringLiteral("second save differs"));
    FUZZ_CHECK(second.objects.size() == first.objects.size(), QStringLiteral("object count"));
    for (size_t i = 0; i < first.objects.size(); ++i) {
        const ModelObject& a = *first.objects[i];
        const ModelObject& b = *second.objects[i];
        FUZZ_CHECK(a.ObjType() == b.ObjType() && a.varName() == b.varName(), QString::number(i + 1));
        for (GraphicsApi api : {GraphicsApi::V1, GraphicsApi::V2})
            FUZZ_CHECK(a.codeSnippet(api) == b.codeSnippet(api),
                       QStringLiteral("snippet of object %1").arg(i + 1));
    }
    return 0;
}
