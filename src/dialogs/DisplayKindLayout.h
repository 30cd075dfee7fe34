#pragma once

#include <QString>

#include <optional>

// Which of the display editor's kind-dependent fields a kind uses, and what their labels
// say. A field that is not shown keeps its text; only its label is emptied.
class DisplayKindLayout
{
public:
    struct Field
    {
        bool shown = true;
        QString caption; // "" when not shown

        bool operator==(const Field&) const = default;
    };

    Field width;
    Field height;
    Field rounding;
    Field filename;
    Field reference;
    bool browseShown = true;   // the ".." button
    bool selectEnabled = true; // the "Select" colour button
    // The colour row: a group, which neither browses nor selects, has no colour.
    bool colourShown() const { return selectEnabled || browseShown; }

    // Nothing for an index outside 0-7 (no kind picked).
    static std::optional<DisplayKindLayout> forKind(int kind);
    // The layout before any kind is picked.
    static DisplayKindLayout initial();
};
