#include "screens/exercise/Details/SelectExerciseController.h"

SelectExerciseController::SelectExerciseController(QObject* parent) : QVXViewController(parent) {}

SelectExerciseController::~SelectExerciseController() = default;

void SelectExerciseController::setSelectedItem(std::optional<ExerciseDbo> item) {
    selectedItem_ = std::move(item);
}
