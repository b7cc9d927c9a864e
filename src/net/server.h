// Server: the hosted server's tables and settings.
#pragma once

struct Server {};
