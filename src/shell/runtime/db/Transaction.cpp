#include "Transaction.h"
