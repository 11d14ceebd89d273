#include "app/icons/IconPictures.h"

#include <map>
#include <optional>

#include <QPainter>
#include <QPixmapCache>

#include "app/icons/HostIconImage.h"
#include "app/icons/IconEmblems.h"
#include "platform/Resources.h"

namespace {

struct Recipe {
  bool folder = false;   // a folder with the emblem on it
  Emblem emblem = Emblem::None;
  bool open = false;     // the picture of a container shown expanded
  bool add = false;      // an "Add" entry: the green plus
};

// What each thing is drawn as. "Open x" and "Add x" names are made from x.
const std::map<std::string, Recipe>& BaseRecipes() {
  static const std::map<std::string, Recipe> recipes = {
      {"Simulation", {false, Emblem::Simulation}},
      {"Folder", {true, Emblem::None}},
      {"Unit of measurement set", {false, Emblem::UnitSet}},
      {"Solver options", {false, Emblem::SolverOptions}},
      {"Configure properties", {false, Emblem::Properties}},
      {"Run options", {false, Emblem::RunOptions}},
      {"Homotopy", {false, Emblem::Homotopy}},
      {"Snapshots", {false, Emblem::Snapshots}},
      {"Simulation access extensions", {false, Emblem::AccessExtensions}},
      {"On line links", {false, Emblem::OnLineLinks}},
      {"Estimation", {false, Emblem::Estimation}},
      {"Optimization", {false, Emblem::Optimization}},
      {"Flowsheet", {false, Emblem::Flowsheet}},
      {"Block folder", {true, Emblem::Block}},
      {"Stream folder", {true, Emblem::Stream}},
      {"Block", {false, Emblem::Block}},
      {"Stream", {false, Emblem::Stream}},
      {"Library", {false, Emblem::Library}},
      {"Library file", {false, Emblem::LibraryFile}},
      {"Custom modeling folder", {true, Emblem::CustomModeling}},
      {"Model folder", {true, Emblem::Model}},
      {"Structure types folder", {true, Emblem::StructureType}},
      {"Stream types folder", {true, Emblem::StreamType}},
      {"Parameter types folder", {true, Emblem::ParameterType}},
      {"Variable types folder", {true, Emblem::VariableType}},
      {"Port types folder", {true, Emblem::PortType}},
      {"Procedures folder", {true, Emblem::Procedure}},
      {"Component lists folder", {true, Emblem::ComponentList}},
      {"Tasks folder", {true, Emblem::Task}},
      {"Scripts folder", {true, Emblem::Script}},
      {"Variable type", {false, Emblem::VariableType}},
      {"Port type", {false, Emblem::PortType}},
      {"Parameter type", {false, Emblem::ParameterType}},
      {"Procedure", {false, Emblem::Procedure}},
      {"Function", {false, Emblem::Function}},
      {"Component list", {false, Emblem::ComponentList}},
      {"Model", {false, Emblem::Model}},
      {"Stream type", {false, Emblem::StreamType}},
      {"Controller type", {false, Emblem::ControllerType}},
      {"Model text", {false, Emblem::ModelText}},
      {"Structure type", {false, Emblem::StructureType}},
      {"Structures", {false, Emblem::Structures}},
      {"Task", {false, Emblem::Task}},
      {"Script", {false, Emblem::Script}},
      {"Form", {false, Emblem::Form}},
      {"Plot form", {false, Emblem::PlotForm}},
      {"Icon", {false, Emblem::Picture}},
      {"Help", {false, Emblem::Help}},
      {"Diagnostics", {false, Emblem::Diagnostics}},
      {"Decomposition", {false, Emblem::Decomposition}},
      {"Warning", {false, Emblem::Warning}},
      {"Group", {false, Emblem::Group}},
      {"Torn group", {false, Emblem::TornGroup}},
      {"Equivalences", {false, Emblem::Equivalences}},
      {"Equivalence", {false, Emblem::Equivalence}},
      {"Variable", {false, Emblem::Variable}},
      {"Equation", {false, Emblem::Equation}},
      {"Error mark overlay", {false, Emblem::ErrorMark}},
      {"Default mark overlay", {false, Emblem::DefaultMark}},
      {"Spare overlay", {false, Emblem::SpareMark}},
      {"Available overlay", {false, Emblem::AvailableMark}},
      {"Problem variable overlay", {false, Emblem::ProblemMark}},
      {"Equivalence overlay", {false, Emblem::EquivalenceMark}},
      {"Active overlay", {false, Emblem::ActiveMark}},
  };
  return recipes;
}

std::string Capitalised(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
  return text;
}

bool StripPrefix(std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  name = Capitalised(name.substr(prefix.size()));
  return true;
}

std::optional<Recipe> FindRecipe(const std::string& name) {
  const auto& recipes = BaseRecipes();
  if (auto it = recipes.find(name); it != recipes.end()) return it->second;
  std::string base = name;
  bool open = false, add = false;
  if (StripPrefix(base, "Open ")) {
    open = true;
  } else if (StripPrefix(base, "Add ")) {
    add = true;
  } else {
    return std::nullopt;
  }
  auto it = recipes.find(base);
  if (it == recipes.end()) return std::nullopt;
  Recipe recipe = it->second;
  if (open && recipe.emblem == Emblem::LibraryFile) recipe.open = false;  // "Open library file" opens a file
  else recipe.open = open;
  recipe.add = add;
  return recipe;
}

QPixmap Draw(const Recipe& recipe, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QRectF box(0, 0, size, size);
  if (recipe.folder) {
    DrawFolder(painter, box, recipe.open);
    qreal s = size;
    DrawEmblem(painter, recipe.emblem, QRectF(s * 0.40, s * 0.36, s * 0.58, s * 0.58));
  } else {
    DrawEmblem(painter, recipe.emblem, box, recipe.open);
  }
  if (recipe.add) DrawAddBadge(painter, box);
  return pixmap;
}

QPixmap LetterPage(const std::string& name, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  QString text = QString::fromStdString(name);
  DrawLetterPage(painter, QRectF(0, 0, size, size), text.isEmpty() ? QChar('?') : text.at(0).toUpper());
  return pixmap;
}

QPixmap FromHost(const IconData& data, int size) {
  const IconImage& exact = size <= 16 ? data.small : data.large;
  const IconImage& other = size <= 16 ? data.large : data.small;
  QImage image = ImageFromHostPixels(exact);
  if (image.isNull()) image = ImageFromHostPixels(other);
  if (image.isNull()) return {};
  if (image.width() != size || image.height() != size)
    image = image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  return QPixmap::fromImage(image);
}

}  // namespace

bool IconNameHasPicture(const std::string& name) { return FindRecipe(name).has_value(); }

QPixmap IconPictureForName(const std::string& name, int size) {
  if (size <= 0) return {};
  QString key = QStringLiteral("vortan-icon:%1:%2").arg(QString::fromStdString(name)).arg(size);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  std::optional<Recipe> recipe = FindRecipe(name);
  pixmap = recipe ? Draw(*recipe, size) : LetterPage(name, size);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

QPixmap IconPicture(HICON icon, int size) {
  const IconData* data = icon ? GetIconData(icon) : nullptr;
  if (!data || size <= 0) return {};
  if (data->large.pixels.empty() && data->small.pixels.empty()) return IconPictureForName(data->name, size);
  QString key = QStringLiteral("vortan-host-icon:%1:%2").arg(reinterpret_cast<quintptr>(icon)).arg(size);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = FromHost(*data, size);
  if (pixmap.isNull()) return IconPictureForName(data->name, size);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}
