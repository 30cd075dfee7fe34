#pragma once

#include "GraphicsApi.h"
#include "ObjectKind.h"

#include <QString>

#include <memory>
#include <optional>

// What every object of the workspace offers: its kind, its Lua name and its snippet.
struct WriteContext;

class ModelObject
{
public:
    virtual ~ModelObject() = default;

    virtual ObjectKind kind() const = 0;
    // "Display", "Transition" or "Alert"; also the key of the object's tree branch.
    virtual QString ObjType() const = 0;
    QString varName() const { return m_varName; }
    void setVarName(const QString& name) { m_varName = name; }
    // A deep copy, pairs included: editing and undo work on copies.
    virtual std::unique_ptr<ModelObject> clone() const = 0;
    // Resets the object to its class's defaults.
    virtual void init() = 0;
    // The generated Lua for the given graphics API, CR LF after every line, as that target's
    // writer writes it; nothing when it cannot be produced.
    std::optional<QString> codeSnippet(GraphicsApi api) const;
    // The same for a place that context describes.
    std::optional<QString> codeSnippet(GraphicsApi api, const WriteContext& context) const;
    // The snippet for Corona's first graphics API.
    std::optional<QString> codeSnippet() const { return codeSnippet(GraphicsApi::V1); }

protected:
    ModelObject() = default;
    ModelObject(const ModelObject&) = default;
    ModelObject& operator=(const ModelObject&) = default;

private:
    QString m_varName;
};
