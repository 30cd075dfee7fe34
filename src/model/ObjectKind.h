#pragma once

// The three kinds of object a workspace holds; code that treats them differently switches
// on the kind once.
enum class ObjectKind
{
    Display,
    Transition,
    Alert
};
