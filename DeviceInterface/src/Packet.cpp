#include "Packet.h"

Packet::Packet() : bytes{} { bytes[0] = ReportId; }
