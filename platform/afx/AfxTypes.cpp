// Holds nothing yet: the header checks the scalar widths of both trees.
#include "AfxTypes.h"
