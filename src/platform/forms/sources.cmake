list(APPEND PLATFORM_SOURCES
  forms/twips.h forms/twips.cpp
  forms/colors.h forms/colors.cpp
  forms/fonts.h forms/fonts.cpp
  forms/picture.h forms/picture.cpp
  forms/clickablelabel.h forms/clickablelabel.cpp
  forms/label.h forms/label.cpp
  forms/image.h forms/image.cpp
  forms/optionbutton.h forms/optionbutton.cpp
  forms/frame.h forms/frame.cpp
  forms/timer.h forms/timer.cpp
  forms/combobox.h forms/combobox.cpp
  forms/richtextbox.h forms/richtextbox.cpp
  forms/form.h forms/form.cpp
  forms/forms.h forms/forms.cpp
  forms/formlayout.h forms/formlayout.cpp
  forms/application.h forms/application.cpp
)
