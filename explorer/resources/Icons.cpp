// The module's icon resources. Each is known by id and by a short name saying
// what it stands for; the desktop program draws a picture for each name.
// Containers have an open icon (shown while expanded or selected) and a normal
// one; "Open ..." names the open icon of a pair.
#include "explorer/resources/ExplorerResources.h"

#include "explorer/resources/IconIds.h"
#include "explorer/resources/StringIds.h"
#include "platform/Resources.h"

namespace {

struct IconName {
  UINT id;
  const char* name;
};

constexpr IconName kIcons[] = {
    // Overlays 1 to 7 of the shared image lists, in overlay order.
    {IDI_OVERLAY_ERROR_MARK, "Error mark overlay"},
    {IDI_OVERLAY_DEFAULT_MARK, "Default mark overlay"},
    {IDI_OVERLAY_SPARE, "Spare overlay"},
    {IDI_OVERLAY_AVAILABLE, "Available overlay"},
    {IDI_OVERLAY_PROBLEM_VARIABLE, "Problem variable overlay"},
    {IDI_OVERLAY_EQUIVALENCE, "Equivalence overlay"},
    {IDI_OVERLAY_ACTIVE, "Active overlay"},

    // Simulation root and top-level nodes.
    {IDI_OPEN_SIMULATION, "Open simulation"},
    {IDI_SIMULATION, "Simulation"},
    {IDI_OPEN_FOLDER, "Open folder"},
    {IDI_FOLDER, "Folder"},
    {IDI_UNIT_OF_MEASUREMENT_SET, "Unit of measurement set"},
    {IDI_SOLVER_OPTIONS, "Solver options"},
    {IDI_CONFIGURE_PROPERTIES, "Configure properties"},
    {IDI_RUN_OPTIONS, "Run options"},
    {IDI_HOMOTOPY, "Homotopy"},
    {IDI_SNAPSHOTS, "Snapshots"},
    {IDI_SIMULATION_ACCESS_EXTENSIONS, "Simulation access extensions"},
    {IDI_ON_LINE_LINKS, "On line links"},
    {IDI_ESTIMATION, "Estimation"},
    {IDI_OPTIMIZATION, "Optimization"},

    // Flowsheet, blocks and streams.
    {IDI_OPEN_FLOWSHEET, "Open flowsheet"},
    {IDI_FLOWSHEET, "Flowsheet"},
    {IDI_OPEN_BLOCK_FOLDER, "Open block folder"},
    {IDI_BLOCK_FOLDER, "Block folder"},
    {IDI_OPEN_STREAM_FOLDER, "Open stream folder"},
    {IDI_STREAM_FOLDER, "Stream folder"},
    {IDI_BLOCK, "Block"},
    {IDI_OPEN_STREAM, "Open stream"},
    {IDI_STREAM, "Stream"},

    // Libraries, the types folder and the type-kind folders.
    {IDI_OPEN_LIBRARY, "Open library"},
    {IDI_LIBRARY, "Library"},
    {IDI_OPEN_CUSTOM_MODELING_FOLDER, "Open custom modeling folder"},
    {IDI_CUSTOM_MODELING_FOLDER, "Custom modeling folder"},
    {IDI_OPEN_MODEL_FOLDER, "Open model folder"},
    {IDI_MODEL_FOLDER, "Model folder"},
    {IDI_OPEN_STRUCTURE_TYPES_FOLDER, "Open structure types folder"},
    {IDI_STRUCTURE_TYPES_FOLDER, "Structure types folder"},
    {IDI_OPEN_STREAM_TYPES_FOLDER, "Open stream types folder"},
    {IDI_STREAM_TYPES_FOLDER, "Stream types folder"},
    {IDI_OPEN_PARAMETER_TYPES_FOLDER, "Open parameter types folder"},
    {IDI_PARAMETER_TYPES_FOLDER, "Parameter types folder"},
    {IDI_OPEN_VARIABLE_TYPES_FOLDER, "Open variable types folder"},
    {IDI_VARIABLE_TYPES_FOLDER, "Variable types folder"},
    {IDI_OPEN_PORT_TYPES_FOLDER, "Open port types folder"},
    {IDI_PORT_TYPES_FOLDER, "Port types folder"},
    {IDI_OPEN_PROCEDURES_FOLDER, "Open procedures folder"},
    {IDI_PROCEDURES_FOLDER, "Procedures folder"},
    {IDI_OPEN_COMPONENT_LISTS_FOLDER, "Open component lists folder"},
    {IDI_COMPONENT_LISTS_FOLDER, "Component lists folder"},
    {IDI_OPEN_TASKS_FOLDER, "Open tasks folder"},
    {IDI_TASKS_FOLDER, "Tasks folder"},
    {IDI_OPEN_SCRIPTS_FOLDER, "Open scripts folder"},
    {IDI_SCRIPTS_FOLDER, "Scripts folder"},

    // Types.
    {IDI_VARIABLE_TYPE, "Variable type"},
    {IDI_PORT_TYPE, "Port type"},
    {IDI_PARAMETER_TYPE, "Parameter type"},
    {IDI_PROCEDURE, "Procedure"},
    {IDI_FUNCTION, "Function"},
    {IDI_COMPONENT_LIST, "Component list"},
    {IDI_MODEL, "Model"},
    {IDI_OPEN_STREAM_TYPE, "Open stream type"},
    {IDI_STREAM_TYPE, "Stream type"},
    {IDI_OPEN_CONTROLLER_TYPE, "Open controller type"},
    {IDI_CONTROLLER_TYPE, "Controller type"},
    {IDI_MODEL_TEXT, "Model text"},
    {IDI_STRUCTURE_TYPE, "Structure type"},
    {IDI_OPEN_STRUCTURES, "Open structures"},
    {IDI_STRUCTURES, "Structures"},
    {IDS_ALL_GROUPS_ARE_CONVERGED, "Task"},
    {IDS_CREATE_INITIALIZATION_SCRIPT, "Script"},
    {IDI_FORM, "Form"},
    {IDI_PLOT_FORM, "Plot form"},

    // Add entries.
    {IDI_ADD_VARIABLE_TYPE, "Add variable type"},
    {IDI_ADD_PORT_TYPE, "Add port type"},
    {IDI_ADD_PROCEDURE, "Add procedure"},
    {IDI_ADD_FUNCTION, "Add function"},
    {IDI_ADD_MODEL, "Add model"},
    {IDI_ADD_STRUCTURE_TYPE, "Add structure type"},
    {IDI_ADD_STREAM_TYPE, "Add stream type"},
    {IDI_ADD_PARAMETER_TYPE, "Add parameter type"},
    {IDI_ADD_ICON, "Add icon"},
    {IDI_ADD_SCRIPT, "Add script"},
    {IDI_ADD_TASK, "Add task"},
    {IDI_ADD_COMPONENT_LIST, "Add component list"},
    {IDI_ADD_FOLDER, "Add folder"},
    {IDI_OPEN_LIBRARY_FILE, "Open library file"},
    {IDI_ADD_FORM, "Add form"},
    {IDI_ADD_HELP, "Add help"},

    // Solver diagnostics.
    {IDI_DIAGNOSTICS, "Diagnostics"},
    {IDI_DECOMPOSITION, "Decomposition"},
    {IDI_WARNING, "Warning"},
    {IDI_GROUP, "Group"},
    {IDI_TORN_GROUP, "Torn group"},
    {IDI_OPEN_EQUIVALENCES, "Open equivalences"},
    {IDI_EQUIVALENCES, "Equivalences"},
    {IDI_EQUIVALENCE, "Equivalence"},
    {IDI_VARIABLE, "Variable"},
    {IDI_EQUATION, "Equation"},
};

}  // namespace

void RegisterExplorerIcons() {
  for (const IconName& icon : kIcons) RegisterIconResource(icon.id, icon.name);
}
