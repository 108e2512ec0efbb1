#pragma once

// A window named only by its form name, which the naming check must refuse.
class frmdemo {};
