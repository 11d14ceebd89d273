// The module's icon resources. Each is known by id and by a short name saying
// what it stands for; the desktop program draws a picture for each name.
// Containers have an open icon (shown while expanded or selected) and a normal
// one; "Open ..." names the open icon of a pair.
#include "explorer/resources/ExplorerResources.h"

#include "platform/Resources.h"

namespace {

struct IconName {
  UINT id;
  const char* name;
};

constexpr IconName kIcons[] = {
    // Overlays 1 to 7 of the shared image lists, in overlay order.
    {13685, "Error mark overlay"},
    {13688, "Default mark overlay"},
    {13699, "Spare overlay"},
    {13714, "Available overlay"},
    {13720, "Problem variable overlay"},
    {13721, "Equivalence overlay"},
    {13745, "Active overlay"},

    // Simulation root and top-level nodes.
    {13502, "Open simulation"},
    {13528, "Simulation"},
    {13504, "Open folder"},
    {13530, "Folder"},
    {13748, "Unit of measurement set"},
    {13543, "Solver options"},
    {13755, "Configure properties"},
    {13749, "Run options"},
    {13750, "Homotopy"},
    {13700, "Snapshots"},
    {13753, "Simulation access extensions"},
    {13754, "On line links"},
    {13759, "Estimation"},
    {13747, "Optimization"},

    // Flowsheet, blocks and streams.
    {13510, "Open flowsheet"},
    {13536, "Flowsheet"},
    {13556, "Open block folder"},
    {13558, "Block folder"},
    {13557, "Open stream folder"},
    {13559, "Stream folder"},
    {13537, "Block"},
    {13512, "Open stream"},
    {13538, "Stream"},

    // Libraries, the types folder and the type-kind folders.
    {13503, "Open library"},
    {13529, "Library"},
    {13707, "Open custom modeling folder"},
    {13706, "Custom modeling folder"},
    {13694, "Open model folder"},
    {13693, "Model folder"},
    {13728, "Open structure types folder"},
    {13729, "Structure types folder"},
    {13695, "Open stream types folder"},
    {13696, "Stream types folder"},
    {13691, "Open parameter types folder"},
    {13690, "Parameter types folder"},
    {13560, "Open variable types folder"},
    {13565, "Variable types folder"},
    {13561, "Open port types folder"},
    {13563, "Port types folder"},
    {13562, "Open procedures folder"},
    {13564, "Procedures folder"},
    {13567, "Open component lists folder"},
    {13568, "Component lists folder"},
    {13682, "Open tasks folder"},
    {13683, "Tasks folder"},
    {13713, "Open scripts folder"},
    {13712, "Scripts folder"},

    // Types.
    {13532, "Variable type"},
    {13533, "Port type"},
    {13689, "Parameter type"},
    {13534, "Procedure"},
    {13743, "Function"},
    {13541, "Component list"},
    {13570, "Model"},
    {13573, "Open stream type"},
    {13572, "Stream type"},
    {13575, "Open controller type"},
    {13574, "Controller type"},
    {13678, "Model text"},
    {13732, "Structure type"},
    {13730, "Open structures"},
    {13731, "Structures"},
    {13679, "Task"},
    {13635, "Script"},
    {13539, "Form"},
    {13771, "Plot form"},

    // Add entries.
    {13547, "Add variable type"},
    {13548, "Add port type"},
    {13549, "Add procedure"},
    {13744, "Add function"},
    {13552, "Add model"},
    {13726, "Add structure type"},
    {13627, "Add stream type"},
    {13692, "Add parameter type"},
    {13551, "Add icon"},
    {13634, "Add script"},
    {13680, "Add task"},
    {13553, "Add component list"},
    {13705, "Add folder"},
    {13636, "Open library file"},
    {13626, "Add form"},
    {13770, "Add help"},

    // Solver diagnostics.
    {13676, "Diagnostics"},
    {13672, "Decomposition"},
    {13716, "Warning"},
    {13675, "Group"},
    {13673, "Torn group"},
    {13719, "Open equivalences"},
    {13718, "Equivalences"},
    {13717, "Equivalence"},
    {13677, "Variable"},
    {13674, "Equation"},
};

}  // namespace

void RegisterExplorerIcons() {
  for (const IconName& icon : kIcons) RegisterIconResource(icon.id, icon.name);
}
