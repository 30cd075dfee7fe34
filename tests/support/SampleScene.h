#pragma once

#include "clsAlert.h"
#include "clsDisplay.h"
#include "clsTransition.h"

#include <memory>
#include <vector>

// One object of each kind, with values that a careless writer or reader would get wrong:
// quotes, a tab, non-ASCII text, negative numbers, several pairs.
inline std::vector<std::unique_ptr<ModelObject>> sampleScene()
{
    std::vector<std::unique_ptr<ModelObject>> scene;
    auto d = std::make_unique<clsDisplay>();
    d->init();
    d->setVarName(QStringLiteral("hero"));
    d->setDObjType(clsDisplay::ImageRect);
    d->setFilename(QStringLiteral("hero \"one\".png"));
    d->setReference(clsDisplay::BottomRight);
    d->setEventHandling(clsDisplay::Began | clsDisplay::Ended);
    d->setX(-40);
    d->setSWidth(64);
    d->setSHeight(48);
    d->setColour(0x336699);
    scene.push_back(std::move(d));
    auto t = std::make_unique<clsTransition>();
    t->setVarName(QStringLiteral("hero"));
    t->setTransitionDirection(0);
    t->setOnComplete(QStringLiteral("landed"));
    t->addProperty(QStringLiteral("300"), QStringLiteral("x"));
    t->addProperty(QStringLiteral("0.25"), QStringLiteral("alpha"));
    scene.push_back(std::move(t));
    auto a = std::make_unique<clsAlert>();
    a->setVarName(QStringLiteral("again"));
    a->setTitle(QStringLiteral("Game over — encore ?"));
    a->setMessage(QStringLiteral("Play\tagain?"));
    a->addButton(QStringLiteral("1"), QStringLiteral("Yes"));
    a->addButton(QStringLiteral("2"), QStringLiteral("No"));
    scene.push_back(std::move(a));
    return scene;
}
