#include "shell/windows/forms.h"

namespace lumatik {

StartWindow* startWindow = nullptr;
TForm3sb* Form3sb = nullptr;
TForm4sb* Form4sb = nullptr;
TForm1sb* Form1sb = nullptr;
TFormLSG* FormLSG = nullptr;
HintInputDialog* hintInputDialog = nullptr;
CalculatorWindow* calculatorWindow = nullptr;
TForm_ba1* Form_ba1 = nullptr;
TForm_ba2* Form_ba2 = nullptr;
TForm_ba3* Form_ba3 = nullptr;
TForm_ba4* Form_ba4 = nullptr;
TForm2sb* Form2sb = nullptr;

std::uint16_t StartMode = 0;

}  // namespace lumatik
