// Client: the client's copy of the game and its connection.
#pragma once

struct Client {};
