#include "clsData.h"
