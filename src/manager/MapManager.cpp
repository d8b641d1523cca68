// window
