#include "LineWriter.h"
