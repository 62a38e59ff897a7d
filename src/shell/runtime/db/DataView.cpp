#include "DataView.h"
