#pragma once

// Shows the failures the model reports itself in an "Error Occured" box over the active window.
class ErrorBox
{
public:
    static void install();
};
