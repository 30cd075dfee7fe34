#pragma once

#include "ProjectContext.h"

#include <QByteArray>
#include <QString>

// What a game's config.lua and build.settings set, as the reader process reports it.
struct GameConfig
{
    bool configRan = false;  // there was a config.lua, and it ran to its end
    bool hasContent = false; // config.lua ran and left an application.content table
    int width = 0;           // as the engine reads them: whole numbers, 0 for anything else
    int height = 0;
    QString scale;
    QString xAlign;
    QString yAlign;
    int graphicsCompatibility = 0;
    QList<ImageSuffix> imageSuffixes; // by ascending scale
    bool landscape = false;           // build.settings starts the game sideways
    // "config.lua: ..." and "build.settings: ..."; empty when the file was read or is absent.
    QString configProblem;
    QString buildProblem;

    // Solar2D's new-project template: 320 x 480, letterbox, centred, portrait.
    static GameConfig newProjectTemplate();
    // Reads the reader's lines. stopped: the reader was killed for taking too long; crashed: it
    // ended without answering for every file.
    static GameConfig fromReaderOutput(const QByteArray& output, bool stopped, bool crashed);

    bool operator==(const GameConfig&) const = default;
};
