#pragma once
// Which way a conversion goes: from a reference manager's export to a Palm
// database, or from a database back to the manager.
namespace tk {

enum class Direction { Import, Export };

}  // namespace tk
