#include "ModelObject.h"
