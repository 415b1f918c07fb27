#pragma once
// Runs every event waiting in the calling thread, then yields the processor once. Never blocks;
// re-entrant: a handler run from inside may call it again.
void pump_messages();
